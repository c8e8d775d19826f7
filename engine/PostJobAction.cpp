#include "PostJobAction.h"

PostJobAction::~PostJobAction() = default;
