#pragma once

#include "postgresserver.h"

#include <QCoreApplication>
#include <QTest>

// Runs a test class twice: on the local file (server null), then against a throw-away
// PostgreSQL server. The class takes the server in its constructor and hands it to
// TempProgramFolder. A server that will not start fails the run.
template <class Test>
int runOnBothBackends(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    {
        Test onFile(nullptr);
        failures += QTest::qExec(&onFile, argc, argv);
    }
    PostgresServer server;
    if (!server.start()) {
        qCritical("PostgreSQL test server: %s", qPrintable(server.error()));
        return failures + 1;
    }
    Test onServer(&server);
    failures += QTest::qExec(&onServer, argc, argv);
    return failures;
}
