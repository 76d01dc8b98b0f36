// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// gravok-artgen: draws every bitmap of the game from vectors.
//   gravok-artgen OUTDIR                  write OUTDIR/<name>.png and hand.hotspot
//   gravok-artgen --verify DIR            check a generated directory
//   gravok-artgen --contact-sheet FILE    write an overview of all pictures
#include "art.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <cstdio>

namespace {

// PNG with no text chunks or time stamps, so reruns are byte-identical.
bool savePng(const QImage& img, const QString& path)
{
    QImageWriter writer(path, "png");
    if (writer.write(img))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

int writeAll(const QString& outDir)
{
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    for (const artgen::Picture& pic : artgen::catalogue()) {
        for (int scale = 1; scale <= (pic.sets ? artgen::kLargestSet : 1); ++scale) {
            if (!savePng(pic.render(scale), outDir + "/" + artgen::setFileName(pic.name, scale)))
                return 1;
        }
    }
    QFile hotspot(outDir + "/hand.hotspot");
    if (!hotspot.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(hotspot.fileName()));
        return 1;
    }
    const QPoint tip = artgen::handHotspot();
    hotspot.write(QByteArray::number(tip.x()) + ' ' + QByteArray::number(tip.y()) + '\n');
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: gravok-artgen OUTDIR\n"
                         "       gravok-artgen --verify DIR\n"
                         "       gravok-artgen --contact-sheet FILE.png\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && argv[1][0] != '-')
        return writeAll(QString::fromLocal8Bit(argv[1]));
    if (argc != 3)
        return usage();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    if (mode == "--verify") {
        const int failures = artgen::verifyDirectory(path);
        std::fprintf(stderr, "%s: %d problem(s)\n", qPrintable(path), failures);
        return failures == 0 ? 0 : 1;
    }
    if (mode == "--contact-sheet")
        return savePng(artgen::contactSheet(), path) ? 0 : 1;
    return usage();
}
