// _update: the world scene's update step.
#pragma once
