#pragma once

// The 88 x 31 banner of the ROM list page, drawn by the program's artwork
// (zemplo97-pictures --badge-header writes this file anew), so the page needs
// nothing from outside itself.
inline constexpr char kBadgeDataAddress[] =
    "data:image/png;base64,"
    "iVBORw0KGgoAAAANSUhEUgAAAFgAAAAfCAIAAADsqp23AAAACXBIWXMAAA7EAAAOxAGVKw4bAAACLklEQVRoge1Y"
    "r2/CUBA+FiQSiawiCMSCqhpmqCoUCcnU/gEEAomYQC8hFVUoQrKqVTWIKtIEBJma5I8gqIl7e7y9H30tfaws6yfK"
    "cdzdu369u9dHZb1eQwmAu6ITuBVU8cMZO8XmUSD8Fx8oEQAwmxaXS3EYTYhQtgZBSQRBNflnWjkU2EFaPW000VLq"
    "ompM1l1qIxqockuGhgg2xGULqFxGExhNNBFYjqT2nEGanFVI2xrJz+0a4FZUPW3RRRUhGRlmRCYWMIn0D6RwaFoD"
    "obofVQPPpj8KlTXT9rwpZC3hVESoIuaZEUaALBupOz0RN17e0u3pgommmRF5ZmROBrnpKM2EK4c85ZZ5Rqg2Jy4J"
    "LNr0mUlDcZUvRmMNcjZdBY/hztj5t2cNPHSVr9gEJREE5xlx47vDtVEp/6pDkIoIglqxeRQF1x2uVq/AtsZ2+5Yz"
    "aDCPHp9tVg7mEX5l9dSeKlV6zl2MZhBnIk6nY/5wbJBgHj083aMcemcZhdCLuRU549CLRfdv33M0UzBJhD1oRYvY"
    "HrSixR6vNKY9aAEQOfRiTiMmgLKoCb3YHrRE3/wwXBHw8x7wull+AkCnb6EBCpvlvtO32J+0RFBHNpop/AYRbaex"
    "8w80Piu0nQYA4OPVErHzD22nwUUzBcNENHv1j/dDs1cHOKJM9bSYd/5BuiLVq9xZza0TAQBWt0bv2erSXVnUANvn"
    "Un2i+3WIcN2h2bh/DuWbJUF56CL4Al0SUS1VUui7AAAAAElFTkSuQmCC";
