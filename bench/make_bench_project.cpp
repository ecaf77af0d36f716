// Writes the 20-span beam of 10 loads a span that the benchmarks read and calculate, for timing
// whole runs of spanwise-calc.  Usage: make_bench_project FILE.BMD [COPIES FOLDER]
// With COPIES and FOLDER, also writes COPIES copies FOLDER/beam0001.BMD, ... of it.
#include "MixedBeam.h"

#include "io/ProjectFile.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: make_bench_project FILE.BMD [COPIES FOLDER]\n");
        return 2;
    }
    spanwise::Project project;
    project.beam = spanwise::bench::mixedBeam(20, 10);
    std::string bytes;
    const spanwise::SaveResult made = spanwise::projectFileBytes(project, bytes);
    if (!made.ok || !spanwise::writeFileAtomically(QString::fromLocal8Bit(argv[1]), bytes).ok) {
        std::fprintf(stderr, "make_bench_project: cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc == 4) {
        const int copies = std::atoi(argv[2]);
        const QString folder = QString::fromLocal8Bit(argv[3]);
        QDir().mkpath(folder);
        for (int n = 1; n <= copies; ++n) {
            const QString path = folder + QString::asprintf("/beam%04d.BMD", n);
            if (!spanwise::writeFileAtomically(path, bytes).ok) {
                std::fprintf(stderr, "make_bench_project: cannot write copy %d\n", n);
                return 1;
            }
        }
    }
    return 0;
}
