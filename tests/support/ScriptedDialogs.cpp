// SPDX-FileCopyrightText: 2026 The quarimo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ScriptedDialogs.h"

#include "app/StartPage.h"
#include "engine/Random.h"
#include "engine/SharedValues.h"
#include "print/FaceMetrics.h"
#include "ui/kit/Controls.h"
#include "ui/kit/Form.h"
#include "ui/kit/ZoomStyle.h"
#include "ui/speech/Accessibility.h"

#include <QFile>

using kit::Dialogs;

int ScriptedDialogs::count(Kind kind) const
{
    int n = 0;
    for (const Box &box : boxes_)
        n += box.kind == kind ? 1 : 0;
    return n;
}

void ScriptedDialogs::message(const QString &text, const QString &title)
{
    boxes_.append({Kind::Message, title, text, {}});
    if (!messageActions_.isEmpty())
        messageActions_.dequeue()();
}

void ScriptedDialogs::help(const QString &text, const QString &title, const QString &sentence)
{
    helpSentence_ = sentence;
    message(text, title);
}

Dialogs::Answer ScriptedDialogs::question(const QString &text, const QString &title)
{
    boxes_.append({Kind::Question, title, text, {}});
    if (!questionActions_.isEmpty())
        questionActions_.dequeue()();
    return answers_.isEmpty() ? Answer::No : answers_.dequeue();
}

QString ScriptedDialogs::inputBox(const QString &prompt, const QString &title, const QString &proposed)
{
    boxes_.append({Kind::Input, title, prompt, proposed});
    return inputs_.isEmpty() ? QString() : inputs_.dequeue();
}

void ScriptedDialogs::beep()
{
    boxes_.append({Kind::Beep, {}, {}, {}});
}

namespace {

kit::Zoom &zoomAtOne()
{
    static kit::Zoom zoom;
    zoom.set(1);
    return zoom;
}

} // namespace

TestWorld::TestWorld() : zoom(zoomAtOne())
{
    static bool fontsReady = false;
    if (!fontsReady) {
        kit::installFontSubstitutions(worksheets::pictureFaceName(), &drawer);
        kit::installZoomStyle(zoom);
        kit::installAccessibleControls();
        fontsReady = true;
    }
    useWindows(&windows);
    shared() = SharedValues();
    platform.onEndProgram = [this] { ++endProgramCalls; };

    previousDirectory_ = QDir::currentPath();
    QFile settings(workingDirectory.filePath(QStringLiteral("QUARIMO.INI")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(" 10 \r\n");
    settings.close();
    QDir::setCurrent(workingDirectory.path());

    form1();
    dialogs.clear();
    speech.said.clear();
    rng().seed(4711);
}

TestWorld::~TestWorld()
{
    windows.unloadAll();
    useWindows(nullptr);
    QDir::setCurrent(previousDirectory_);
}
