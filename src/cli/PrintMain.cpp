// programcli-print: the print verb of programcli in a program of its own, so
// that only printing loads Qt. programcli passes it the words after "print";
// its output and exit statuses are the verb's.
#include "cli/Verb.h"
#include "core/os/ProcessSignals.h"

int main(int argc, char** argv) {
  SetUpProcessSignals();
  return RunPrint(Args(argv + 1, argv + argc));
}
