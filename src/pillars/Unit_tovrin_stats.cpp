// Page 1 (號碼和尾數統計): ball and tail frequencies, hot combinations and
// the golden seven.
#include "pillars/Unit_tovrin.h"

void TForm_tovrin::wireStatisticsPage() {}

void TForm_tovrin::Button2Click() {}
