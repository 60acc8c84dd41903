#include "app/velt1steuerung_main.h"

int main(int argc, char** argv) { return Velt1Steuerung_Main(argc, argv); }
