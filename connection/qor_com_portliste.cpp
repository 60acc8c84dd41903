// The list of serial ports in the port ring: "nicht geöffnet" first, then
// every "COMn" of the system's list and the open port, ascending.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "connection/qor_com.h"
#include "connection/qor_com_portliste.h"
#include "connection/qor_com_sitzung.h"
#include "device/port_map.h"
#include "device/serial_port.h"
#include "ui/runtime.h"

namespace {

struct Eintrag {
  std::string label;
  int value;
};

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
      liste.push_back({rs232::PortLabel(*port), *port});
      offenGelistet = offenGelistet || *port == offen;
    }
  }
  if (!offenGelistet) liste.push_back({rs232::PortLabel(offen), offen});
  // Exchange sort after the first item; equal values keep their order.
  for (std::size_t i = 1; i + 1 < liste.size(); ++i)
    for (std::size_t j = i + 1; j < liste.size(); ++j)
      if (liste[j].value < liste[i].value) std::swap(liste[i], liste[j]);
  return liste;
}

}  // namespace

std::optional<int> QorCom_PortAusEintrag(const rs232::SerialCommValue& eintrag) {
  if (eintrag.type != rs232::kRegSz) return std::nullopt;
  return rs232::PortOfName(eintrag.data, rs232::PortNameRule::ListValue);
}

void QorCom_ComPortListeFuellen(int panel, int control) {
  // The session ends only when its device has really gone (unplugged, hung
  // up); while the device is there the open port stays, listed or not.
  if (QorCom_ComPortGet() != 0 && rs232::PortGone(QorCom_ComPortGet())) QorCom_Close();
  ClearListCtrl(panel, control);
  for (const Eintrag& eintrag : Portliste(gQorCom.sprache, QorCom_ComPortGet()))
    InsertListItem(panel, control, -1, eintrag.label, eintrag.value);

  const CtrlRef& ring = gQorCom.controls.comRing;
  SetCtrlVal(ring.panel, ring.control, QorCom_ComPortGet());
  QorCom_PortTooltipSetzen();
}
