#pragma once
// The commands of velt1ctl that print a result or take several driver calls on
// an open port; the command line makes a lone driver call itself. They return
// the driver's code. Their arguments are checked by the command line before the
// port is opened.

#include <string>
#include <vector>

struct CtlContext {
  int port = 0;
  char address = '1';
};

int CtlPorts();
// Addresses first..last, each with its identification or why there is none.
int CtlScan(const CtlContext& context, char first, char last);
int CtlGet(const CtlContext& context, const std::string& keyword);
// The block lies inside the memory (start 0..0xFFFF, size 1..0xFFFF).
int CtlMemRead(const CtlContext& context, int start, int size);
// The data (at least one byte) ends inside the memory; it goes in frames of 64 bytes.
int CtlMemWrite(const CtlContext& context, int start, const std::vector<unsigned char>& data);

// "Fehler #404015: Fehlerhafte Antwort vom Gerät"
std::string CtlErrorText(int code);
