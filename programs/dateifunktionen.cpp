#include "programs/dateifunktionen.h"

int AbfrageWennNichtGespeichert() {
  // Unsaved changes are tracked with the parameter file, which does not exist
  // yet: until then nothing is ever unsaved and quitting goes on at once.
  return 0;
}
