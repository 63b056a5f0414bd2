#pragma once

#include "data/Waehrungstabelle.h"
#include "online/Antwortleser.h"

#include <QStringList>

namespace zirvanto {

// Merges the records of a rate reply into the table, in reply order: a
// currency already in the table (the first entry with exactly that code)
// takes the record's name, rate and flag and is no longer marked as set by
// hand, keeping its row; a new one is appended without a row. Returns the
// flag file names the records name, in order, for the pictures still to be
// fetched.
QStringList kurseAbgleichen(Waehrungstabelle& tabelle, const std::vector<Kurssatz>& saetze);

} // namespace zirvanto
