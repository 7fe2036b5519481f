// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/RecordingSpeech.h"

RecordingSpeech::RecordingSpeech()
{
    seams::setSpeech(this);
}

RecordingSpeech::~RecordingSpeech()
{
    seams::setSpeech(nullptr);
}
