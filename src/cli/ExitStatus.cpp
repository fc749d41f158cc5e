#include "cli/ExitStatus.h"

const char* ExitStatusHelp() {
  return "exit status:\n"
         "  0  success\n"
         "  1  other failure; for diff: the images differ\n"
         "  2  usage: unknown verb or option, missing argument\n"
         "  3  file error: a file cannot be opened, read or written\n"
         "  4  Data Format Error: the file does not start with S333\n"
         "  5  wrong size: a data file shorter or longer than 1040 bytes\n"
         "  6  the serial port could not be opened\n"
         "  7  Communication Error\n"
         "  8  cancelled (Ctrl+C)\n"
         "  9  service password refused: nothing was sent\n"
         " 10  verify failed: the radio does not hold what was written\n"
         " 11  import-csv: lines were refused; the other channels were written\n"
         " 12  write: channels outside the radio's band; nothing was sent\n"
         "With several ports the status is that of the first port that failed.\n";
}
