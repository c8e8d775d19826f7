// Builders of the follow-up work (split parts, subtitle mux, merges, music).
// Not written yet: each queues nothing, so a step that calls for one ends its
// row as it stands.
#include "JobsManage.h"

void JobsManage::AddJobSplits(AbstractJob*)
{
}

void JobsManage::AddJobSplit(AbstractJob*, const QString&, float, const QString&, const QString&, long long,
                             long long)
{
}

void JobsManage::AddJobSubtitle(AbstractJob*, const QString&, const QString&)
{
}

void JobsManage::AddJobMerge(AbstractJob*, bool)
{
}

void JobsManage::AddJobMusic(AbstractJob*)
{
}

void JobsManage::AddJobMusic(AbstractJob*, const QString&, const QString&, bool)
{
}

void JobsManage::AddJobMusicMerge(AbstractJob*)
{
}
