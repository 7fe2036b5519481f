#pragma once

#include <functional>

// A window that ends asks the top of the program for the start page; it never reaches the start
// page itself. The top installs what "back to the start page" means.
namespace navigation {

void showStartPage();
void setStartPageHandler(std::function<void()> handler); // empty: asking does nothing

} // namespace navigation
