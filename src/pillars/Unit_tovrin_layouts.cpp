// The optimal layout analyses and the exhaustive sub-selection searches.
#include "pillars/Unit_tovrin.h"

void TForm_tovrin::wireLayoutButtons(QWidget*) {}
