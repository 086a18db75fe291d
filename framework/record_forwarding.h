// The functions whose addresses the record holds: each finds the effect through `object`.
#pragma once

#include "aeffect.h"

VstIntPtr VSTCALLBACK dispatcherClass(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                      void* ptr, float opt);
void VSTCALLBACK processClass(AEffect* e, float** inputs, float** outputs, VstInt32 sampleFrames);
void VSTCALLBACK processClassReplacing(AEffect* e, float** inputs, float** outputs,
                                       VstInt32 sampleFrames);
void VSTCALLBACK setParameterClass(AEffect* e, VstInt32 index, float value);
float VSTCALLBACK getParameterClass(AEffect* e, VstInt32 index);
