#pragma once

#include "fakelineprobes.h"
#include "scripteddialogs.h"
#include "session.h"
#include "startupsequence.h"

#include <QSignalSpy>

// A start-up on a program folder, with scripted dialogs and lines that answer, and what it signalled.
// Script the dialogs' answers before startup.start().
struct StartupRun {
    explicit StartupRun(const ProgramFolder &folder) : session(folder), startup(session, dialogs, pinger, probe) {}

    Session session;
    ScriptedDialogs dialogs;
    FakePinger pinger;
    FakePortProbe probe;
    StartupSequence startup;
    QSignalSpy finished{&startup, &StartupSequence::finished};
    QSignalSpy shown{&startup, &StartupSequence::mainWindowShown};
};
