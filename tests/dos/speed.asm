; A CPU-bound DOS program that measures how fast DOSBox lets a real-mode program run.
; It waits for a BIOS timer tick, lets a number of ticks pass as a warm-up (DOSBox's
; cycles=max raises the speed step by step during the first second or so), counts loop
; iterations for a number of ticks and writes "COUNT=<n>" and CR LF into SPEED.TXT in its
; current directory. Its command tail is "<ticks counted> <warm-up ticks>", 18 each (about one
; second) when missing.
; Assembled as a flat .COM image.
        cpu 386
        org 100h

TICKS   equ 6Ch                 ; BIOS data area word at 0040:006C, 18.2 a second

start:  cld
        mov si, 81h
        xor cx, cx
        mov cl, [80h]
        call number
        mov [ticks], bx
        call number
        mov [warmup], bx

        push 40h
        pop es
        mov ax, [es:TICKS]
.edge:  cmp ax, [es:TICKS]      ; start on a tick edge
        je .edge

        mov bx, [es:TICKS]      ; warm-up
        mov dx, [warmup]
.warm:  mov ax, [es:TICKS]
        sub ax, bx
        cmp ax, dx
        jb .warm

        mov bx, [es:TICKS]
        mov dx, [ticks]
        xor ecx, ecx
.loop:  inc ecx
        mov ax, [es:TICKS]
        sub ax, bx              ; unsigned: a midnight reset ends the count early
        cmp ax, dx
        jb .loop

        ; "COUNT=" and the decimal count
        push ds
        pop es
        mov di, outbuf
        mov si, s_count
.label: lodsb
        test al, al
        jz .number
        stosb
        jmp .label
.number:
        mov eax, ecx
        mov ebx, 10
        xor cx, cx
.divide:
        xor edx, edx
        div ebx
        push dx
        inc cx
        test eax, eax
        jnz .divide
.emit:  pop ax
        add al, '0'
        stosb
        loop .emit
        mov ax, 0A0Dh
        stosw

        mov ah, 3Ch             ; create SPEED.TXT
        xor cx, cx
        mov dx, s_file
        int 21h
        jc .done
        mov bx, ax
        mov ah, 40h
        mov cx, di
        sub cx, outbuf
        mov dx, outbuf
        int 21h
        mov ah, 3Eh
        int 21h
.done:  mov ax, 4C00h
        int 21h

; The next decimal number of the tail at SI (CX bytes left) into BX; 18 when there is none.
number: xor bx, bx
.skip:  jcxz .none
        mov al, [si]
        cmp al, ' '
        jne .digit
        inc si
        dec cx
        jmp .skip
.digit: jcxz .end
        mov al, [si]
        sub al, '0'
        cmp al, 9
        ja .end
        inc si
        dec cx
        movzx ax, al
        imul bx, bx, 10
        add bx, ax
        jmp .digit
.end:   test bx, bx
        jnz .done
.none:  mov bx, 18
.done:  ret

s_count db "COUNT=", 0
s_file  db "SPEED.TXT", 0
ticks   dw 0
warmup  dw 0
outbuf     times 32 db 0
