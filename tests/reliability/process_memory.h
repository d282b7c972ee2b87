// What a process holds, as the soak measures it: memory and open files.
#pragma once

struct MemorySample {
    long long heapInUse = 0;   // malloc: bytes in allocated chunks, mapped ones included
    long long residentKb = 0;  // the kernel's resident set (VmRSS), 0 when unknown
    int openFiles = -1;        // file descriptors, -1 when unknown
};

MemorySample SampleMemory();
