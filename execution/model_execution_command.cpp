#include "execution/model_execution_command.h"

namespace vnk::execution {

void EndModelExecutionCommand(ProgramOptions& options) {
    options.numericalMethod = method::kMaximumLikelihood;
}

}  // namespace vnk::execution
