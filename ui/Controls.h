// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The kit's controls in one include, for windows that use several of them.
#include "ui/Button.h"
#include "ui/DrawnPicture.h"
#include "ui/Fonts.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Picture.h"
#include "ui/PictureButton.h"
#include "ui/ScrollBar.h"
