#pragma once
// velt1ctl's commands on whole program sets. The device transfers run the
// main panel's transfer unit on the device services, so they send the same
// frames as "vom VELT-1 lesen" and "zum VELT-1 schreiben"; the files are the
// desktop program's parameter files (or their JSON form).
//
// Each returns 0 or the code to report; a file is written only after the
// whole transfer succeeded.

#include <string>

#include "ctl_commands.h"
#include "ctl_programmsatz.h"
#include "programs/core/programmtransfer.h"

// The main panel's transfers on the port of `context`: "alle" or "aktuelles"
// with the entry selected. Progress goes to `melden`.
int CtlSatzLesen(const CtlContext& context, int entry, TransferUmfang umfang, Programmsatz& satz,
                 const TransferMelden& melden);
int CtlSatzSchreiben(const CtlContext& context, int entry, TransferUmfang umfang, const Programmsatz& satz,
                     const TransferMelden& melden);
// Entry n (0 = A) read into FILE, which is created with the defaults when it
// does not exist; its other entries stay as they were.
int CtlReadProgram(const CtlContext& context, int entry, const std::string& file);
// Entry n of FILE written, as "aktuelles" with that entry selected.
int CtlWriteProgram(const CtlContext& context, int entry, const std::string& file);

// The seventeen entries as a table, or as JSON.
int CtlShow(const std::string& file, bool json);
// ".vlt" <-> ".json", by the extensions.
int CtlConvert(const std::string& in, const std::string& out);
