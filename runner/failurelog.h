#pragma once

#include <QString>

#include <initializer_list>
#include <vector>

// Why a disc tool's run failed, read from the lines it printed. Markers are
// listed most telling first: a line with a marker listed earlier than the
// one found so far takes its place, so a later consequence never hides the
// cause. Without any marker, the last line that reads like an error remains.
template <class Cause> class FailureLog {
public:
    struct Marker {
        const char* text;
        Cause cause;
    };

    FailureLog(std::initializer_list<Marker> markers)
        : m_markers(markers)
    {
    }

    void Feed(const QString& piece)
    {
        const QString line = piece.trimmed();
        if (line.contains(QLatin1String("FATAL")) || line.contains(QLatin1String("SORRY"))
            || line.contains(QLatin1String("Cannot")) || line.contains(QLatin1String("rror")))
            m_lastError = line;
        const int known = m_found < 0 ? int(m_markers.size()) : m_found;
        for (int i = 0; i < known; ++i) {
            if (line.contains(QLatin1String(m_markers[size_t(i)].text))) {
                m_found = i;
                m_detail = line;
                break;
            }
        }
    }

    Cause cause() const { return m_found < 0 ? Cause::None : m_markers[size_t(m_found)].cause; }
    // The line behind the cause, or the last error line.
    QString detail() const { return m_found < 0 ? m_lastError : m_detail; }

private:
    std::vector<Marker> m_markers;
    int m_found = -1;
    QString m_detail;
    QString m_lastError;
};
