#pragma once

#include <QByteArray>

#include <archive.h>
#include <archive_entry.h>

namespace zirvanto::test {

// A zip archive of one deflated file, as the ECB packs its history.
inline QByteArray zipMit(const char* name, const QByteArray& inhalt) {
    QByteArray zip(inhalt.size() + (64 << 10), '\0');
    std::size_t benutzt = 0;
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_open_memory(a, zip.data(), std::size_t(zip.size()), &benutzt);
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname(e, name);
    archive_entry_set_size(e, inhalt.size());
    archive_entry_set_filetype(e, AE_IFREG);
    archive_entry_set_perm(e, 0644);
    archive_write_header(a, e);
    archive_write_data(a, inhalt.constData(), std::size_t(inhalt.size()));
    archive_entry_free(e);
    archive_write_free(a); // closes the archive
    zip.resize(qsizetype(benutzt));
    return zip;
}

} // namespace zirvanto::test
