// velto-q7-solver: the plate-solving worker. Reads one request (solverprotocol.h) on its standard
// input, solves it with StellarSolver and writes the solution as one JSON object on its standard
// output. It runs as a child of the program, which kills it when it takes too long.
// Exit codes: 0 answered (solved or not), 2 malformed request.
#include "solverprotocol.h"
#include "stellarsolverrun.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // StellarSolver's solve() waits on its signals

    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    const QByteArray request = input.readAll();
    cv::Mat frame;
    SolveHints hints;
    QString indexFolder, error;
    if (!decodeSolveRequest(request, &frame, &hints, &indexFolder, &error)) {
        std::fprintf(stderr, "velto-q7-solver: %s\n", qPrintable(error));
        return 2;
    }

    // The astrometry.net code inside StellarSolver may print to the standard output, which carries
    // the answer: send everything else to the standard error while solving.
    std::fflush(stdout);
    const int answerFd = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    const PlateSolution solution = solveWithStellarSolver(frame, hints, indexFolder);
    std::fflush(stdout);

    const QByteArray answer = QJsonDocument(solution.toJson()).toJson(QJsonDocument::Compact) + '\n';
    qint64 written = 0;
    while (written < answer.size()) {
        const ssize_t n = write(answerFd, answer.constData() + written, size_t(answer.size() - written));
        if (n <= 0)
            return 1;
        written += n;
    }
    return 0;
}
