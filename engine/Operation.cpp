// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Operation.h"

bool MarkIsWritten(Operation operation, std::int32_t mark)
{
    return operation == Operation::Subtraction ? mark >= 0 : mark > 0;
}
