#include "dados/clsUnidade.h"
