#pragma once

// A large draw (a shuffle of 100,000 names) builds its lists of small texts in memory
// the process has never touched, and on Linux most of its time then goes to the kernel
// filling that memory page by page. Called once at the start of a command-line draw:
// keeps freed memory for reuse instead of handing it back, and lets the heap's first
// tens of megabytes be filled in large pages. Does nothing where this does not apply.
void PrepareMemoryForDraws();

// Called before a draw whose lists take megabytes: the heap's next blocks then start in
// the large pages. A small draw does without it, as its few blocks fill fewer small
// pages than the cost of filling one large page.
void ExpectLargeDraw();
