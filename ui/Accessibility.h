// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kit {

// Tells the accessibility layer (AT-SPI, and so screen readers such as Orca) what the kit's own
// controls are: a label that acts on a click is a button it can press, and a combo box that
// has a name of its own is called by it rather than by the row it shows. Once, before the
// first window.
void installAccessibleControls();

} // namespace kit
