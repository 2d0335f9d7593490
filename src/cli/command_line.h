// The command line of `catenova`. Without options (or with one span file) the program opens
// its window; with any option it runs headless and exits:
//   catenova --results [--format text|csv|json] FILE.cn3...
//   catenova --line FILE.cnl|POLES.csv [--worksheet SPAN.cn3] [--clearance FT]
//            [--format text|csv|json]
//   catenova --line-report FILE.cnl|POLES.csv [--worksheet SPAN.cn3] [--clearance FT]
//            --pdf OUT.pdf
//   catenova --report FILE.cn3... --pdf OUT.pdf|FOLDER [--nesc] [--temperature]
//   catenova --cable-list [--families strand,k5,lx,fiber,drop,user] --pdf OUT.pdf
//   catenova --help-text --pdf OUT.pdf
// each with [--data DIR]; and --help, --version. Exit status 0 when every file was done
// without a message, 1 when some file gave one, 2 for a usage error; --line (cli/line_run.h)
// and --line-report (cli/line_report_run.h) say 1 also for a span or pole that fails.
#pragma once

#include <QStringList>

namespace cn3::cli {

// True when the arguments ask for the headless face: some argument is an option ("--results",
// "--help", "-h", ...). Decided before any Qt application exists, so that the headless face
// can choose a platform that needs no display.
bool WantsHeadless(int argc, char** argv);

// Runs the headless face on the application's arguments (a QGuiApplication must exist) and
// gives back the exit status.
int RunHeadless(const QStringList& arguments);

}  // namespace cn3::cli
