// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Operation.h"

Operation OperationForKind(std::int32_t selectedKind)
{
    return selectedKind == 1 ? Operation::Subtraction : Operation::Addition;
}

bool MarkIsWritten(Operation operation, std::int32_t mark)
{
    return operation == Operation::Subtraction ? mark >= 0 : mark > 0;
}
