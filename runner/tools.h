#pragma once

#include <QString>

// Where the external tools live: the application directory plus a fixed
// relative path. Each tool's command lines and output parsers are in a file
// of its own (sevenzip.h, isobuilder.h, recorder.h, discreader.h,
// wimsplitter.h).
namespace Tools {

QString archiveTool();   // 7-Zip
QString recorderTool();  // cdrecord (cdrskin)
QString readerTool();    // readcd (readom)
QString builderTool();   // mkisofs (genisoimage)
QString splitterTool();  // wimlib-imagex

// Test seam: `program` runs wherever the tool at `relative` below the
// application directory ("/cdrtools/cdrecord") is asked for. An empty
// program puts the real tool back.
void SetToolForTest(const QString& relative, const QString& program);

} // namespace Tools
