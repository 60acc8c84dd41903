// Port functions of the driver: open with the fixed line settings, close,
// time-out, and emptying both queues.

#include "device/qorvelt1.h"
#include "device/qorvelt1_transaktion.h"
#include "device/serial_port.h"

using qorvelt1::Code;

int QORVELT1_Open(int port, int baud) {
  if (baud != QORVELT1_BAUD) return Code(-125, 1);
  if (!rs232::ValidPortNumber(port)) return Code(-100, 2);
  rs232::LineSettings settings;
  settings.baud = QORVELT1_BAUD;
  settings.parity = rs232::Parity::Odd;
  settings.dataBits = 7;
  settings.stopBits = 1;
  settings.inputQueue = 512;
  settings.outputQueue = 512;
  if (rs232::OpenComConfig(port, settings) != 0) return Code(-100, 3);
  return 0;
}

int QORVELT1_Close(int port) { return rs232::CloseCom(port) != 0 ? Code(-103, 4) : 0; }

int QORVELT1_Timeout(int port, double seconds) {
  return rs232::SetComTime(port, seconds) != 0 ? Code(-111, 5) : 0;
}

int QORVELT1_PufferLeeren(int port) {
  // When the input side fails the port is broken: the output queue is left alone.
  if (rs232::FlushInQ(port) != 0) return Code(-124, 255);
  if (rs232::FlushOutQ(port) != 0) return Code(-123, 256);
  return 0;
}
