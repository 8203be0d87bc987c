' Mid от място 0: грешка 5 при избор на етаж 1.
Private Sub Option1_Click(Index As Integer)
    Text1(0).Text = Mid("Етаж", Index)
End Sub
