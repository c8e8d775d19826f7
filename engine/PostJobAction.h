#pragma once

// Work a job does after it has succeeded, before it reports its end. The job
// that holds an action owns it.
class PostJobAction
{
public:
    virtual ~PostJobAction();
    virtual void doAction() = 0;
};
