#include "tool/exit_policy.h"

#include "tool/hints.h"
#include "tool/messages.h"

bool readAsWritten(Session& session) {
    const LoadReport& report = session.report();
    if (report.joinedWeight) {
        session.say(positionText(report.joinedAt) + "warning: " + joinedWeightText(report));
    }
    if (!report.complete()) {
        const std::string edges = std::to_string(report.triples) +
                                  (report.triples == 1 ? " edge" : " edges") + " read before it";
        session.say(positionText(report.stoppedAt) + "warning: reading stopped: " +
                    describeStop(report) + "; answering from the " + edges);
    }
    for (const std::string& hint :
         readingHints(report, session.invocation().header, session.input().start(),
                      session.input().startIsWhole())) {
        session.say(hint);
    }
    return report.complete() && !report.joinedWeight;
}

ExitStatus statusOfRun(ExitStatus answered, bool readWhole, bool answeredCheck) {
    return readWhole || answeredCheck ? answered : ExitStatus::trouble;
}

ExitStatus statusOfCommandsFile(ExitStatus answered) {
    return answered == ExitStatus::trouble ? ExitStatus::trouble : ExitStatus::answered;
}

ExitStatus statusAfterOutput(ExitStatus status, bool outputWritten) {
    return outputWritten ? status : ExitStatus::trouble;
}
