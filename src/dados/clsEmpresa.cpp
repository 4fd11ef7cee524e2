#include "dados/clsEmpresa.h"
