// Rate tables of any size for the benchmarks, made of records that look like
// the shipped rate file: three-letter codes, German names with umlauts,
// rates with four to six significant digits, flag pictures, a few rates set
// by hand.
#pragma once

#include "data/Waehrungstabelle.h"

#include <QString>

#include <array>
#include <cstddef>
#include <utility>

namespace zirvanto::bench {

// A three-letter code of capitals, distinct for the first 26^3 indexes.
inline QString dreibuchstabencode(std::size_t index) {
    const auto buchstabe = [](std::size_t n) { return QChar(char16_t(u'A' + n % 26)); };
    const QChar code[] = {buchstabe(index / 676), buchstabe(index / 26), buchstabe(index)};
    return QString(code, 3);
}

// A table of `anzahl` entries after the Euro. Codes are distinct up to
// 17,576 entries; beyond that they repeat, which the rate file allows.
inline Waehrungstabelle kurstabelle(std::size_t anzahl) {
    struct Vorlage {
        const char16_t* name;
        double kurs;
        const char16_t* flagge;
    };
    static constexpr std::array<Vorlage, 12> vorlagen{{
        {u"Österreichischer Schilling", 13.7603, u"at.bmp"},
        {u"Italienische Lira", 1936.27, u"it.bmp"},
        {u"Französischer Franc", 6.55957, u"fr.bmp"},
        {u"Holländischer Gulden", 2.20371, u"nl.bmp"},
        {u"Irisches Pfund", 0.787564, u"ie.bmp"},
        {u"Dänische Krone", 7.4748, u"dk.bmp"},
        {u"Isländische Krone", 144, u"is.bmp"},
        {u"Türkische Lira", 53.4222, u"tr.bmp"},
        {u"Südkoreanischer Won", 1747.72, u"kr.bmp"},
        {u"Thailändischer Baht", 38.04, u"th.bmp"},
        {u"Südafrikanischer Rand", 18.5318, u"za.bmp"},
        {u"Indonesische Rupiah", 20565.38, u"id.bmp"},
    }};

    Waehrungstabelle tabelle;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const Vorlage& v = vorlagen[i % vorlagen.size()];
        Waehrung w;
        w.ISO = dreibuchstabencode(i);
        w.Name = QString::fromUtf16(v.name);
        // Each round through the templates moves the rate by a ten-thousandth.
        w.Kurs = v.kurs + double(i / vorlagen.size()) * 0.0001;
        w.Flagge = QString::fromUtf16(v.flagge);
        w.Manuell = i % 7 == 3;
        tabelle.anhaengen(std::move(w));
    }
    return tabelle;
}

} // namespace zirvanto::bench
