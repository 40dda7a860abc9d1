; A stand-in for the emulator in end-to-end tests. It records how it was started into
; RECORD.TXT in its current directory, one item a line:
;   DIR=<current drive and directory>
;   TAIL=<command tail, byte for byte>
;   ROM=<first word of the tail>
;   ROMOPEN=YES|NO      ROMDATA=<first 16 bytes of that file>
;   CFG=<first word with its last two characters replaced by CFG, as the emulator derives it>
;   CFGOPEN=YES|NO      CFGDATA=<first 16 bytes of that file>
;   SAV=<the CFG name with SAV for CFG, as the emulator names battery saves>
;   SAVOPEN=YES|NO      SAVDATA=<first 16 bytes of the save it found>
;   SAVWRITE=YES|NO     whether it could create that file and write "SAVED-BY-STANDIN" into it;
;                       with -resave in its tail it deletes the save first and makes it anew
;   With a file DEMO beside it (scripts/demo), it also records and shows on the screen:
;   TITLE=<the ROM's title, bytes 134h to 143h>   PALETTE=<first line of the .cfg>
;   and then waits for a key or five seconds.
; Assembled as a flat .COM image; DOSBox runs it as VGB.EXE because it tells by content.
        org 100h

start:  cld
        mov di, out

        mov si, s_dir
        call puts
        mov ah, 19h             ; current drive, 0 = A
        int 21h
        add al, 'A'
        stosb
        mov al, ':'
        stosb
        mov al, '\'
        stosb
        mov si, di              ; current directory, no drive, no leading backslash
        xor dl, dl
        mov ah, 47h
        int 21h
.dirend: cmp byte [di], 0
        je .dirdone
        inc di
        jmp .dirend
.dirdone:
        call crlf

        mov si, s_tail
        call puts
        xor cx, cx
        mov cl, [80h]
        mov si, 81h
        rep movsb
        call crlf

        ; first word of the tail
        mov si, 81h
        xor cx, cx
        mov cl, [80h]
        mov bx, romname
.skip:  jcxz .wordend
        cmp byte [si], ' '
        jne .copy
        inc si
        dec cx
        jmp .skip
.copy:  jcxz .wordend
        mov al, [si]
        cmp al, ' '
        je .wordend
        cmp al, 0Dh
        je .wordend
        mov [bx], al
        inc bx
        inc si
        dec cx
        jmp .copy
.wordend:
        mov byte [bx], 0

        ; derived name: the last two characters become CFG
        mov si, romname
        mov bp, cfgname
.cfgcopy:
        mov al, [si]
        mov [bp], al
        inc si
        inc bp
        test al, al
        jnz .cfgcopy
        mov ax, bx
        sub ax, romname         ; length of the first word
        cmp ax, 2
        jb .cfgnone
        mov bp, cfgname
        add bp, ax
        sub bp, 2
        mov byte [bp], 'C'
        mov byte [bp+1], 'F'
        mov byte [bp+2], 'G'
        mov byte [bp+3], 0
        jmp .cfgready
.cfgnone:
        mov byte [cfgname], 0
.cfgready:

        mov si, s_rom
        mov dx, romname
        call probe
        mov si, s_cfg
        mov dx, cfgname
        call probe

        ; the save file: the derived name with SAV in place of CFG
        mov si, cfgname
        mov bx, savname
.savcopy:
        mov al, [si]
        mov [bx], al
        inc si
        inc bx
        test al, al
        jnz .savcopy
        sub bx, 4               ; the last three characters before the zero
        cmp bx, savname
        jb .savdone
        mov byte [bx], 'S'
        mov byte [bx+1], 'A'
        mov byte [bx+2], 'V'
        mov si, s_sav
        mov dx, savname
        call probe
        mov si, s_sav
        call putlabel
        mov si, s_write
        call puts
        call resave
        jnc .create
        mov ah, 41h             ; as an emulator that writes its save anew
        mov dx, savname
        int 21h
.create:
        mov ah, 3Ch
        xor cx, cx
        mov dx, savname
        int 21h
        jc .savfail
        mov bx, ax
        mov ah, 40h
        mov cx, 16
        mov dx, s_saved
        int 21h
        jc .savfail
        mov ah, 3Eh
        int 21h
        mov si, s_yes
        jmp .savtold
.savfail:
        mov si, s_no
.savtold:
        call puts
        call crlf
.savdone:
        call demo

        ; write the record
        mov ah, 3Ch
        xor cx, cx
        mov dx, s_file
        int 21h
        jc .quit
        mov bx, ax
        mov cx, di
        sub cx, out
        mov dx, out
        mov ah, 40h
        int 21h
        mov ah, 3Eh
        int 21h
        cmp byte [demomode], 0
        je .quit
        call showdemo
.quit:  mov ax, 4C00h
        int 21h

; In demo mode: TITLE= and PALETTE= lines into the record.
demo:   mov ax, 3D00h
        mov dx, s_demo
        int 21h
        jc .off
        mov bx, ax
        mov ah, 3Eh
        int 21h
        mov byte [demomode], 1
        mov si, s_title
        call puts
        mov ax, 3D00h           ; the ROM's title
        mov dx, romname
        int 21h
        jc .notitle
        mov bx, ax
        mov ax, 4200h
        xor cx, cx
        mov dx, 134h
        int 21h
        mov ah, 3Fh
        mov cx, 16
        mov dx, buffer
        int 21h
        jc .close
        mov cx, ax
        mov si, buffer
.tchar: jcxz .close
        lodsb
        dec cx
        cmp al, 20h             ; NUL padding and control bytes end the title
        jb .close
        stosb
        jmp .tchar
.close: mov ah, 3Eh
        int 21h
.notitle:
        call crlf
        mov si, s_palette
        call puts
        mov ax, 3D00h           ; the first line of the palette
        mov dx, cfgname
        int 21h
        jc .nopal
        mov bx, ax
        mov ah, 3Fh
        mov cx, 64
        mov dx, line
        int 21h
        jc .pclose
        mov cx, ax
        mov si, line
.pchar: jcxz .pclose
        lodsb
        dec cx
        cmp al, 0Dh
        je .pclose
        cmp al, 0Ah
        je .pclose
        stosb
        jmp .pchar
.pclose:
        mov ah, 3Eh
        int 21h
.nopal: call crlf
.off:   ret

; Shows what it received, then waits for a key or five seconds (91 timer ticks).
showdemo:
        mov dx, s_banner
        mov ah, 09h
        int 21h
        mov ah, 40h             ; the whole record: the tail, the title, the palette
        mov bx, 1
        mov dx, out
        mov cx, di
        sub cx, out
        int 21h
        push 40h
        pop es
        mov bx, [es:6Ch]
.wait:  mov ah, 01h
        int 16h
        jnz .key
        mov ax, [es:6Ch]
        sub ax, bx
        cmp ax, 91
        jb .wait
        ret
.key:   xor ah, ah
        int 16h
        ret

; Writes "<label>=<name>", then "<label>OPEN=YES|NO" and "<label>DATA=<bytes>" for the file at DX.
; SI: label (3 characters).
probe:  push dx
        push si
        call putlabel
        mov al, '='
        stosb
        pop si
        pop dx
        push dx
        push si
        mov si, dx
        call puts
        call crlf
        pop si
        push si
        call putlabel
        mov si, s_open
        call puts
        pop si
        pop dx
        push si
        mov ax, 3D00h
        int 21h
        jc .failed
        mov bx, ax
        mov si, s_yes
        call puts
        call crlf
        pop si
        call putlabel
        mov si, s_data
        call puts
        mov dx, buffer
        mov cx, 16
        mov ah, 3Fh
        int 21h
        jc .close
        mov cx, ax
        mov si, buffer
        rep movsb
.close: mov ah, 3Eh
        int 21h
        call crlf
        ret
.failed:
        pop si
        mov si, s_no
        call puts
        call crlf
        ret

; Carry set when the command tail holds "-resave".
resave: mov bx, 81h
        xor cx, cx
        mov cl, [80h]
.next:  cmp cx, 7
        jb .no
        xor si, si
.same:  mov al, [bx+si]
        cmp al, [s_resave+si]
        jne .on
        inc si
        cmp si, 7
        jb .same
        stc
        ret
.on:    inc bx
        dec cx
        jmp .next
.no:    clc
        ret

putlabel:
        mov cx, 3
        rep movsb
        ret

; Copies the zero-ended text at SI to DI.
puts:   lodsb
        test al, al
        jz .done
        stosb
        jmp puts
.done:  ret

crlf:   mov al, 0Dh
        stosb
        mov al, 0Ah
        stosb
        ret

s_dir   db "DIR=", 0
s_tail  db "TAIL=", 0
s_rom   db "ROM"
s_cfg   db "CFG"
s_open  db "OPEN=", 0
s_data  db "DATA=", 0
s_yes   db "YES", 0
s_no    db "NO", 0
s_file  db "RECORD.TXT", 0
s_sav   db "SAV"
s_write db "WRITE=", 0
s_saved db "SAVED-BY-STANDIN"
s_resave db "-resave"
s_demo  db "DEMO", 0
s_title db "TITLE=", 0
s_palette db "PALETTE=", 0
s_banner db "Zemplo 97 demo: VGB.EXE, a stand-in for VGB-DOS, was started with:", 0Dh, 0Ah, "$"
demomode db 0

romname times 130 db 0
cfgname times 134 db 0
savname times 134 db 0
buffer  times 16 db 0
line    times 64 db 0
out:
