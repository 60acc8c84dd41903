// The serial device on Windows: \\.\COMn opened exclusively, blocking reads
// and writes bounded by COMMTIMEOUTS.

#include <windows.h>

#include <climits>
#include <cmath>
#include <string>

#include "device/port_map.h"
#include "device/serial_port.h"

namespace rs232 {
namespace {

int OpenError(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_UNIT:
    case ERROR_INVALID_NAME:
      return kNotFound;
    case ERROR_ACCESS_DENIED:       // how Windows reports a port in use
    case ERROR_SHARING_VIOLATION:
      return kBusy;
    case ERROR_PRIVILEGE_NOT_HELD:
      return kPermission;
    default:
      return kIo;
  }
}

// A failure of an operation on an open port: a vanished adapter is kGone.
int IoError(DWORD error) {
  switch (error) {
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_HANDLE:
    case ERROR_OPERATION_ABORTED:
    case ERROR_DEVICE_NOT_CONNECTED:
      return kGone;
    default:
      return kIo;
  }
}

DWORD Milliseconds(double seconds) {
  const double ms = std::ceil(seconds * 1000.0);
  if (ms <= 0.0) return 0;
  return ms >= static_cast<double>(MAXDWORD - 1) ? MAXDWORD - 1 : static_cast<DWORD>(ms);
}

class Win32Port final : public PortBackend {
 public:
  explicit Win32Port(HANDLE handle) : handle_(handle) {}
  ~Win32Port() override { ::CloseHandle(handle_); }
  Win32Port(const Win32Port&) = delete;
  Win32Port& operator=(const Win32Port&) = delete;

  int setTimeout(double seconds) override {
    const DWORD ms = Milliseconds(seconds);
    COMMTIMEOUTS t{};
    if (ms == 0) {
      // All zero would mean "wait for ever"; this is "return what is there".
      t.ReadIntervalTimeout = MAXDWORD;
    } else {
      t.ReadTotalTimeoutConstant = ms;  // ReadFile of one byte waits this long
      t.WriteTotalTimeoutConstant = ms;
    }
    if (!::SetCommTimeouts(handle_, &t)) return IoError(::GetLastError());
    timeoutMs_ = ms;
    return kOk;
  }

  int flushInput() override { return Purge(PURGE_RXCLEAR); }
  int flushOutput() override { return Purge(PURGE_TXCLEAR); }

  int write(const std::uint8_t* data, int count) override {
    DWORD written = 0;
    if (!::WriteFile(handle_, data, static_cast<DWORD>(count), &written, nullptr))
      return IoError(::GetLastError());
    return written > 0 ? static_cast<int>(written) : kTimeout;
  }

  int outputQueueLength() override {
    DWORD errors = 0;
    COMSTAT status{};
    if (!::ClearCommError(handle_, &errors, &status)) return IoError(::GetLastError());
    return status.cbOutQue > static_cast<DWORD>(INT_MAX) ? INT_MAX : static_cast<int>(status.cbOutQue);
  }

  int readByte(double timeoutSeconds) override {
    if (Milliseconds(timeoutSeconds) != timeoutMs_) {
      const int error = setTimeout(timeoutSeconds);
      if (error < 0) return error;
    }
    BYTE byte = 0;
    DWORD got = 0;
    if (!::ReadFile(handle_, &byte, 1, &got, nullptr)) return IoError(::GetLastError());
    if (got == 0) return kTimeout;
    return byte & 0x7F;  // a 7-bit line: the parity bit is no data
  }

 private:
  int Purge(DWORD what) {
    return ::PurgeComm(handle_, what) ? kOk : IoError(::GetLastError());
  }

  HANDLE handle_;
  DWORD timeoutMs_ = 0;
};

BYTE ParityCode(Parity parity) {
  switch (parity) {
    case Parity::Odd: return ODDPARITY;
    case Parity::Even: return EVENPARITY;
    default: return NOPARITY;
  }
}

int Configure(HANDLE handle, const LineSettings& settings) {
  const DWORD inQueue = settings.inputQueue > 0 ? static_cast<DWORD>(settings.inputQueue) : 512;
  const DWORD outQueue = settings.outputQueue > 0 ? static_cast<DWORD>(settings.outputQueue) : 512;
  if (!::SetupComm(handle, inQueue, outQueue)) return kSettings;
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(handle, &dcb)) return IoError(::GetLastError());
  dcb.BaudRate = static_cast<DWORD>(settings.baud);
  dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
  dcb.Parity = ParityCode(settings.parity);
  dcb.StopBits = settings.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
  dcb.fBinary = TRUE;
  dcb.fParity = FALSE;  // bytes with a parity error are passed on, as on POSIX
  // No handshake of any kind; DTR and RTS stay on to power line adapters.
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fTXContinueOnXoff = TRUE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fErrorChar = FALSE;
  dcb.fNull = FALSE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fAbortOnError = FALSE;  // a line error must not stall every later read
  if (!::SetCommState(handle, &dcb)) return kSettings;
  if (!::PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR)) return IoError(::GetLastError());
  return kOk;
}

}  // namespace

std::unique_ptr<PortBackend> OpenPlatformPort(int port, const LineSettings& settings, int& error) {
  const std::string path = DevicePathForPort(port);
  if (path.empty()) {
    error = kNotFound;
    return nullptr;
  }
  const std::wstring widePath(path.begin(), path.end());  // "\\.\COMn" is ASCII
  HANDLE handle = ::CreateFileW(widePath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = OpenError(::GetLastError());
    return nullptr;
  }
  if (::GetFileType(handle) != FILE_TYPE_CHAR) {
    ::CloseHandle(handle);
    error = kNotFound;
    return nullptr;
  }
  auto backend = std::make_unique<Win32Port>(handle);
  error = Configure(handle, settings);
  if (error != kOk) return nullptr;
  return backend;
}

}  // namespace rs232
