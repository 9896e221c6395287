#include "data_writer.h"
