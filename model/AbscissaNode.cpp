// One node of the discontinuity abscissae chain.
#include "model/AbscissaNode.h"

CAbscissaNode::~CAbscissaNode() = default;
