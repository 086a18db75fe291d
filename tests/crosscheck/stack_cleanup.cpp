#include "stack_cleanup.h"

#if defined(__i386__)
#if defined(_WIN32)
#define ZU_SYMBOL "_zuCalleeRemovedBytes"
#else
#define ZU_SYMBOL "zuCalleeRemovedBytes"
#endif

// ebp, esi and edi survive the call in every convention: esi walks the arguments, edi keeps
// the stack pointer as it was with all arguments pushed, which is 16-byte aligned at the call
// as the System V ABI wants (Windows needs only 4).
asm(".text\n"
    ".globl " ZU_SYMBOL "\n" ZU_SYMBOL ":\n"
    "    pushl %ebp\n"
    "    movl %esp, %ebp\n"
    "    pushl %esi\n"
    "    pushl %edi\n"
    "    movl 12(%ebp), %esi\n"
    "    movl 16(%ebp), %ecx\n"
    "    leal (,%ecx,4), %eax\n"
    "    subl %eax, %esp\n"
    "    andl $-16, %esp\n"
    "    addl %eax, %esp\n"
    "1:  testl %ecx, %ecx\n"
    "    jz 2f\n"
    "    decl %ecx\n"
    "    pushl (%esi,%ecx,4)\n"
    "    jmp 1b\n"
    "2:  movl %esp, %edi\n"
    "    call *8(%ebp)\n"
    "    movl 20(%ebp), %ecx\n"
    "    movl %eax, (%ecx)\n"
    "    movl %esp, %eax\n"
    "    subl %edi, %eax\n"
    "    leal -8(%ebp), %esp\n"
    "    popl %edi\n"
    "    popl %esi\n"
    "    popl %ebp\n"
    "    ret\n");
#endif
