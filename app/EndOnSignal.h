// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// A desktop that logs out or shuts down asks its programs to end with SIGTERM (a terminal with
// SIGINT or SIGHUP). Then `end` runs on the event thread, once, as the next event: the program
// keeps the child's range and ends cleanly instead of being killed in the middle of a write.
void endOnTerminationSignals(std::function<void()> end);
