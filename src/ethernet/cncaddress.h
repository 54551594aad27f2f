#pragma once

#include <QString>

#include <optional>

// Where an Ethernet machine's CNC listens: its settings hold the address, a colon and the port
// ("192.168.1.20:8193,").
struct CncAddress {
    QString host;
    unsigned short port = 0;
};

// The address of a machine's settings; nullopt with the user's message in *error when there is
// no colon or the port is not a TCP port number (nothing must then be called).
std::optional<CncAddress> parseCncAddress(const QString &settings, QString *error);
