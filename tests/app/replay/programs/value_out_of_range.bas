' Таймерът не върви по-бързо от 200 ms: грешка 380 при зареждане.
Private Sub Form_Load()
    Timer1.Interval = 5
End Sub
