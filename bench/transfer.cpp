// Times a full Read and a normal Write of the core's transfer driver against
// the simulated radio paced at 9600 baud.
#include <chrono>
#include <cstdio>

#include "TransferBench.h"
#include "core/files/NewDocumentImage.h"
#include "core/link/TransferDriver.h"

int main(int argc, char** argv) {
  const char* title = "The core's transfer driver, 9600 baud:";
  return bench::RunTransferBench(argc, argv, "bench_transfer", title,
                                 [](const std::string& device, Direction direction, bool& ok) {
                                   RadioImage image = BuiltInDefaults();
                                   MainTransferRequest request;
                                   request.device = device;
                                   request.direction = direction;
                                   const auto start = std::chrono::steady_clock::now();
                                   const TransferResult r = RunMainTransfer(request, image);
                                   const auto end = std::chrono::steady_clock::now();
                                   ok = r.ok();
                                   if (!ok) std::fprintf(stderr, "transfer failed: %s\n", LinkStatusName(r.status));
                                   return std::chrono::duration<double>(end - start).count();
                                 });
}
