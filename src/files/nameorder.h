#pragma once

#include <QStringList>

#include <vector>

// The positions of `names` in the order a file manager lists them: letter case ignored, runs
// of digits compared as numbers ("rom 2" before "rom 10"), the raw name breaking ties. Each
// name's collation key is made once, which keeps a folder of thousands of ROMs quick to sort.
std::vector<qsizetype> nameOrder(const QStringList& names);
