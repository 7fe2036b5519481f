// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestPlatform.h"

using kit::Clock;
using kit::Dialogs;
using kit::Speech;

TestPlatform::TestPlatform(Dialogs &dialogs, Clock &clock, Speech &speech)
    : use{&dialogs, &clock, &speech, &machine_.fileDialogs(), &machine_.printOutputs(), &machine_.settingsWriter()}
{
}

TestPlatform::~TestPlatform() = default;

void TestPlatform::endProgram()
{
    if (onEndProgram)
        onEndProgram();
}
