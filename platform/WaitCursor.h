// The wait cursor, shown while the object lives.
#pragma once

#include <QApplication>
#include <QCursor>

class CWaitCursor
{
public:
    CWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    virtual ~CWaitCursor() { QApplication::restoreOverrideCursor(); }

private:
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
