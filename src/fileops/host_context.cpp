#include "fileops/operations.h"
#include "toolz/facts.h"
#include "toolz/report.h"

namespace sigillo {

OperationContext& HostOperationContext() {
  // The one generator of the process: every operation draws from it in turn.
  static Generator generator;
  static OperationContext context{generator, HostFileSystem(), [](Generator& gen, bool swedish) {
                                    return SystemReport(gen, HostFacts(), swedish);
                                  }};
  return context;
}

}  // namespace sigillo
