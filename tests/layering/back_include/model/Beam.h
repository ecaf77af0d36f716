// A model header that reaches up into the report: what the layers refuse.
#pragma once

#include "report/Report.h"
