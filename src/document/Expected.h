#pragma once

#include "document/ExpectedOf.h"

#include <QString>

// The Qt side's results carry QString messages; a core result's UTF-8 message becomes one with
// QString::fromStdString where it reaches this side.
template <typename T>
using Expected = ExpectedOf<T, QString>;
using Status = StatusOf<QString>;
