#pragma once

#include <QElapsedTimer>
#include <QString>

// A line on standard error counting the files done, shown only when standard error is a
// terminal and the run has taken more than a second, so that pipes and logs get nothing extra.
class Progress {
public:
    Progress(QString command, qint64 total); // total: -1 when not known in advance
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void step();  // one more file done
    void clear(); // takes the line away before other text goes to standard error

private:
    QString command_;
    qint64 total_;
    qint64 done_ = 0;
    qint64 shownAt_ = 0;
    bool terminal_;
    bool shown_ = false;
    QElapsedTimer clock_;
};
