// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/SharedValues.h"

SharedValues &shared()
{
    static SharedValues values;
    return values;
}
