// Preloaded into Wine by tests/windows/run.sh: logs the line settings of every
// tcsetattr() that Wine makes for a Windows program's SetCommState, because a
// pseudo-terminal keeps 8 data bits and no parity whatever it is asked, so the
// 7-O-1 that the program sets can only be seen on the way in.
//   VELT1_TERMIOS_LOG=FILE: one line a call, e.g. "9600 7O1 -crtscts -ixon -ixoff"
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <termios.h>

typedef int (*SetAttr)(int, int, const struct termios*);

static int DataBits(tcflag_t cflag) {
  switch (cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
  }
}

int tcsetattr(int fd, int action, const struct termios* settings) {
  static SetAttr real;
  if (real == NULL) real = (SetAttr)dlsym(RTLD_NEXT, "tcsetattr");
  const char* path = getenv("VELT1_TERMIOS_LOG");
  FILE* log = path != NULL ? fopen(path, "a") : NULL;
  if (log != NULL) {
    const tcflag_t c = settings->c_cflag;
    const speed_t speed = cfgetospeed(settings);
    fprintf(log, "%s %d%c%d %s %s %s\n", speed == B9600 ? "9600" : "other", DataBits(c),
            !(c & PARENB) ? 'N' : (c & PARODD) ? 'O' : 'E', (c & CSTOPB) ? 2 : 1,
            (c & CRTSCTS) ? "crtscts" : "-crtscts", (settings->c_iflag & IXON) ? "ixon" : "-ixon",
            (settings->c_iflag & IXOFF) ? "ixoff" : "-ixoff");
    fclose(log);
  }
  return real(fd, action, settings);
}
