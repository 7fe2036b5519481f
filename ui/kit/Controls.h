// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The kit's controls in one include, for windows that use several of them.
#include "ui/kit/Button.h"
#include "ui/kit/DrawnPicture.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Label.h"
#include "ui/kit/ListBox.h"
#include "ui/kit/Picture.h"
#include "ui/kit/PictureButton.h"
#include "ui/kit/ScrollBar.h"
