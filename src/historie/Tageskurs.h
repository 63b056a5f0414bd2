#pragma once

// Which rate a currency has on a day of the history.

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace zirvanto {

class Waehrungstabelle;

// An irrevocably fixed conversion rate of a former euro-area currency and
// the day from which it holds (the day its country adopted the Euro).
struct Festkurs {
    const char* code;
    double kurs; // units per 1 Euro
    int ab;      // yyyymmdd
};

inline constexpr std::array<Festkurs, 21> Festkurse = {{
    {"ATS", 13.7603, 19990101},  {"BEF", 40.3399, 19990101},  {"DEM", 1.95583, 19990101},
    {"ESP", 166.386, 19990101},  {"FIM", 5.94573, 19990101},  {"FRF", 6.55957, 19990101},
    {"IEP", 0.787564, 19990101}, {"ITL", 1936.27, 19990101},  {"LUF", 40.3399, 19990101},
    {"NLG", 2.20371, 19990101},  {"PTE", 200.482, 19990101},  {"GRD", 340.750, 20010101},
    {"SIT", 239.640, 20070101},  {"CYP", 0.585274, 20080101}, {"MTL", 0.429300, 20080101},
    {"SKK", 30.1260, 20090101},  {"EEK", 15.6466, 20110101},  {"LVL", 0.702804, 20140101},
    {"LTL", 3.45280, 20150101},  {"HRK", 7.53450, 20230101},  {"BGN", 1.95583, 20260101},
}};

// The fixed rate of `code` on `tag`, when the currency had been replaced by
// the Euro by then.
std::optional<double> festkurs(QStringView code, QDate tag);

enum class Kursherkunft {
    Euro,     // the Euro itself: 1
    Festkurs, // a former euro-area currency after its changeover
    Historie, // the ECB's reference rate of the day
    KeinKurs, // no rate that day: the current rate is kept
};

struct Tageskurs {
    double kurs = 1;
    Kursherkunft herkunft = Kursherkunft::Euro;
};

// The rate of `code` on `tag`, a day of the history whose rates are
// `kurseDesTages`: the Euro is 1; a former euro-area currency takes its
// fixed rate from its changeover on; otherwise the day's rate where the
// history quotes one. Without one (an "N/A", a code never quoted) the
// currency keeps `heutigerKurs`.
Tageskurs tageskurs(QStringView code, QDate tag, const QHash<QString, double>& kurseDesTages,
                    double heutigerKurs);

// Puts every entry of `tabelle` at its rate on `tag` by tageskurs(), with
// `heute(i)` (asked before entry i changes) as entry i's current rate; none
// counts as hand-set then. Returns which entries have no rate that day.
std::vector<bool> tageskurseEinsetzen(Waehrungstabelle& tabelle, QDate tag,
                                      const QHash<QString, double>& kurseDesTages,
                                      const std::function<double(std::size_t)>& heute);

// yyyymmdd, the form the history stores its days in.
inline int tageszahl(QDate tag) {
    return tag.year() * 10000 + tag.month() * 100 + tag.day();
}
inline QDate ausTageszahl(int zahl) {
    return QDate(zahl / 10000, zahl / 100 % 100, zahl % 100);
}

} // namespace zirvanto
