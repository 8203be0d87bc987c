// The table of trips as the motion window shows it: one row a trip, no row
// numbers, whole rows selected, read only, its columns as wide as their
// texts, at least as wide as all of them, and the newest trip scrolled into
// view as it comes.
#pragma once

class QTableView;
class QWidget;

namespace lodarix {

class TripTableModel;

QTableView* makeTripTable(TripTableModel& trips, QWidget* parent);

} // namespace lodarix
