// The list of serial ports in the port ring: "nicht geöffnet" first, then
// every "COMn" of the system's list and the open port, ascending.

#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "connection/qor_com.h"
#include "connection/qor_com_portliste.h"
#include "connection/qor_com_register.h"
#include "device/port_map.h"
#include "device/serial_port.h"
#include "ui/runtime.h"

namespace {

constexpr int kHoechsterPort = 256;

struct Eintrag {
  std::string label;
  int value;
};

// "COM" (upper case) and a whole decimal number in 0..256: optional blanks,
// an optional sign, digits, optional blanks, nothing else.
std::optional<int> PortAusDaten(const std::string& daten) {
  if (daten.size() < 3 || daten.compare(0, 3, "COM") != 0) return std::nullopt;
  std::size_t i = 3;
  auto blanks = [&] {
    while (i < daten.size() && std::isspace(static_cast<unsigned char>(daten[i]))) ++i;
  };
  blanks();
  bool negativ = false;
  if (i < daten.size() && (daten[i] == '+' || daten[i] == '-')) negativ = daten[i++] == '-';
  const std::size_t ziffernAnfang = i;
  long long zahl = 0;
  while (i < daten.size() && std::isdigit(static_cast<unsigned char>(daten[i]))) {
    if (zahl <= kHoechsterPort) zahl = zahl * 10 + (daten[i] - '0');  // stays out of range once out
    ++i;
  }
  if (i == ziffernAnfang) return std::nullopt;
  blanks();
  if (i != daten.size()) return std::nullopt;
  if (negativ) zahl = -zahl;
  if (zahl < 0 || zahl > kHoechsterPort) return std::nullopt;
  return static_cast<int>(zahl);
}

// The system's ports, and the open port `offen` (0: none) even where the
// system does not list it.
std::vector<Eintrag> Portliste(int sprache, int offen) {
  std::vector<Eintrag> liste{{sprache == 2 ? "not opened" : "nicht geöffnet", 0}};
  const int anzahl = rs232::SerialCommValueCount();
  bool offenGelistet = offen == 0;
  for (int index = 0; index < anzahl; ++index) {
    rs232::SerialCommValue wert;
    if (!rs232::SerialCommValueAt(index, wert)) continue;
    if (const auto port = QorCom_PortAusEintrag(wert)) {
      liste.push_back({"COM " + std::to_string(*port), *port});
      offenGelistet = offenGelistet || *port == offen;
    }
  }
  if (!offenGelistet) liste.push_back({"COM " + std::to_string(offen), offen});
  // Exchange sort after the first item; equal values keep their order.
  for (std::size_t i = 1; i + 1 < liste.size(); ++i)
    for (std::size_t j = i + 1; j < liste.size(); ++j)
      if (liste[j].value < liste[i].value) std::swap(liste[i], liste[j]);
  return liste;
}

}  // namespace

std::optional<int> QorCom_PortAusEintrag(const rs232::SerialCommValue& eintrag) {
  if (eintrag.type != rs232::kRegSz) return std::nullopt;
  return PortAusDaten(eintrag.data);
}

void QorCom_ComPortListeFuellen(int panel, int control) {
  // The session ends only when its device has really gone (unplugged, hung
  // up); while the device is there the open port stays, listed or not.
  if (QorCom_ComPortGet() != 0 && rs232::PortGone(QorCom_ComPortGet())) QorCom_Close();
  ClearListCtrl(panel, control);
  for (const Eintrag& eintrag : Portliste(QorComRegister().sprache, QorCom_ComPortGet()))
    InsertListItem(panel, control, -1, eintrag.label, eintrag.value);

  const CtrlRef& ring = QorComRegister().comRing;
  SetCtrlVal(ring.panel, ring.control, QorCom_ComPortGet());
  QorCom_PortTooltipSetzen();
}

void QorCom_PortTooltipSetzen() {
  const CtrlRef& ring = QorComRegister().comRing;
  if (!ring.gesetzt()) return;
  int port = 0;
  GetCtrlVal(ring.panel, ring.control, &port);
  SetCtrlAttribute(ring.panel, ring.control, ATTR_TOOLTIP_TEXT,
                   port == 0 ? std::string() : rs232::DeviceBehindPort(port));
}
