#pragma once
// The commands that run on several ports at once: id, read-all, write-all
// and diff. Each is prepared once (its files read and checked before any
// port opens) and then runs on every port given.

#include <string>
#include <vector>

#include "ctl_mehrere_ports.h"

// The word that stands for the device in diff, instead of a file.
inline constexpr char CTL_GERAET[] = "device";
// The part of a file name that becomes the port: "bank-{com}.vlt" is bank-20.vlt on COM 20.
inline constexpr char CTL_PORT_PLATZHALTER[] = "{com}";

// The file name for the port: every "{com}" replaced by its short name.
std::string CtlDateiFuerPort(const std::string& muster, const CtlPortZiel& ziel);

CtlPortBefehl CtlIdBefehl();
// "alle" read into FILE, which is written only when the whole transfer succeeded.
CtlPortBefehl CtlReadAllBefehl(const std::string& datei);
// FILE read and checked once; then programs 1..16 written and stored on every port, entry A last.
CtlPortBefehl CtlWriteAllBefehl(const std::string& datei);
// A and B each a file or CTL_GERAET (read with the "alle" transfer); the
// differences within the entries named, exit status 3 when there are any.
CtlPortBefehl CtlDiffBefehl(const std::string& a, const std::string& b, const std::vector<int>& eintraege);
